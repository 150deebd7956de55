// The module's own start and end, as the loader calls them.
#include <windows.h>

namespace __gnu_cxx {
// libstdc++'s: gives back the pool it keeps for exceptions thrown when memory has run out.
void __freeres() noexcept;  // NOLINT(bugprone-reserved-identifier)
}  // namespace __gnu_cxx

// The threads library linked into the module keeps data for each thread that calls into it (the
// thread that loads the module does, as the runtime starts), given back when such a thread ends:
// this is its callback for that.
extern "C" const PIMAGE_TLS_CALLBACK __xl_f;  // NOLINT(bugprone-reserved-identifier)

// A host that reloads its plug-ins unloads the module while its process and its threads go on:
// what the runtimes linked into it keep must go back then, or every reload would lose it. When
// the process itself ends (`reserved` set) nothing needs giving back.
// cppcheck-suppress constParameter ; the loader's own signature
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    __xl_f(instance, DLL_THREAD_DETACH, nullptr);  // as if the unloading thread ended
    __gnu_cxx::__freeres();
  }
  return TRUE;
}

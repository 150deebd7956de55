// What the bench's cases share: a picture as the host hands one over, a call made again, a key of
// settings of the bench's own, the whole ExecutePlugIn call, and a row of the table.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "graphics/gdi_handles.h"
#include "plugin_module.h"
#include "stored_options.h"
#include "trial.h"

namespace tezunhost {

// A 24-bit picture with every byte touched, as a decoded wallpaper would be.
tezun::BitmapHandle Picture(int width, int height);

// The settings of one case of the whole call, in a key of the bench's own: the defaults but for
// the "Option" values given.
class BenchKey {
 public:
  BenchKey(const std::string& name, const OptionValues& options) : hostKey_(std::string(kBenchKey) + "\\" + name) {
    StoreOptions(hostKey_, options);
  }
  const char* HostKey() const { return hostKey_.c_str(); }

  static constexpr char kBenchKey[] = "Software\\TezunBench";

 private:
  std::string hostKey_;
};

// A trial of a call on a fresh picture each time, as the host hands one over, made once untimed
// before each timed one: a host calls again with nothing changed, and what the plug-in keeps from
// one call to the next is in place then. The result is dropped at once, so that only one call's
// pictures are alive at a time.
Trial CallAgain(std::string name, SIZE picture, const std::function<void(HBITMAP&)>& call);

// ExecutePlugIn through the loaded plug-in, as the host calls it.
Trial WholeCall(std::string name, const PluginModule& plugin, const BenchKey& key, SIZE picture);

// A row: the screen, the case, its median in milliseconds and its ratio to the baseline.
void PrintRow(SIZE screen, const std::string& name, double time, double baseline);

}  // namespace tezunhost

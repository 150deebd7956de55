// tezunhost bench: the composer's speed and memory against bare GDI work, side by side in one run.
#pragma once

namespace tezunhost {

int Bench();

}  // namespace tezunhost

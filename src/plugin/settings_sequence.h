// What SettingPlugIn does inside its call frame: the settings dialog, from the stored settings to
// the stored settings.
#pragma once

#include <windows.h>

#include "core/settings_store.h"
#include "graphics/gdi_handles.h"

namespace tezun {

// Loads the settings, opens the settings dialog with its placement window where they were left
// (or, out of reach, on the nearest monitor), on the host's picture (or the desktop colour), and
// runs it; then saves the settings on OK (with the options the user changed) and the windows'
// positions always. A setting that cannot be read or written is reported in a message box. The
// host's picture becomes the dialog's and is deleted with it.
void RunSettingsSequence(HWND owner, SettingsStore& store, BitmapHandle hostPicture);

// Whether a settings sequence runs. A host's timer may call the plug-in again from within the
// dialog's message loop: such a call must leave the dialog's settings alone.
bool SettingsSequenceRunning();
// Brings the open dialog, or the window it has open over it, to the front.
void BringSettingsDialogToFront();

}  // namespace tezun

#pragma once

// The id of the installed desktop entry and AppStream metainfo (packaging/install.cmake): windows
// carry it, so a Wayland compositor finds the program's name and icon.
inline constexpr char kDesktopEntryId[] = "example.tessalyne.lessons";

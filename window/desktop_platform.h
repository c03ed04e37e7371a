// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

// Chooses how the program joins a Wayland desktop, before Qt starts. Where
// the compositor draws no title bars for Wayland clients (it offers no
// xdg-decoration: GNOME's mutter, weston), Qt 6.4 draws its own, which cuts
// "Tempotik" to "Tempot" over this narrow window and offers a maximize that
// does nothing; there the program runs through XWayland, and the desktop
// frames it as its own, or, should XWayland not answer, a Wayland client
// still. Where the compositor decorates (KWin), or there is no X server, it
// stays a Wayland client. A platform the user names (QT_QPA_PLATFORM,
// -platform) always wins.
void chooseDesktopPlatform(int argc, char* argv[]);

# Cross-builds for 64-bit Arm Linux (Debian's arm64) with Debian's cross
# compiler and the arm64 libraries that multiarch installs beside the host's
# (dpkg --add-architecture arm64): Qt, xkbcommon and Wayland in
# /usr/lib/aarch64-linux-gnu. Qt's tools (moc, uic, rcc) are the host's.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(triplet aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${triplet}-gcc)
set(CMAKE_CXX_COMPILER ${triplet}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${triplet})
# pkg-config reads the target's .pc files, not the host's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${triplet}/pkgconfig:/usr/share/pkgconfig)

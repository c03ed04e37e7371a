// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

// Makes the window's font, Carlito, available to the program that carries
// it: Windows has no Carlito, nor always Calibri, whose measurements it
// shares. Call once the application object exists.
void addWindowFont();

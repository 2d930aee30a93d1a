// The program's logo: a touch-screen remote control, drawn at any size. The
// desktop icon (data/vantor.svg) shows the same picture.
#pragma once

#include <QPixmap>

QPixmap ProgramLogo(int size);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures stored with the program: the window icon and the two pushpins.

#include <QIcon>
#include <QPixmap>
#include <QString>

// Makes the pictures reachable; safe to call more than once.
void loadProgramResources();

QString programIconPath(); // red book with A-Z, 32 by 32
QString pinLyingPath();    // Puntina: keep box off, 34 by 34
QString pinStandingPath(); // PuntinaOK: keep box on, 34 by 34

// The picture at path for a screen of the given pixel ratio. Above 1 it is drawn from the @2x twin,
// so it stays sharp; its size in the window stays that of the plain picture.
QPixmap programPicture(const QString& path, qreal ratio);

// The window icon at 32, 48 and 64 pixels, and 32 at ratio 2, so that it is sharp at any scale.
QIcon programIcon();

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Figure d'interférence (conoscopie)": how the window opens from the strip's menu.
class QWidget;
class Reglages;

// Created on first use, with the strip's thickness then, following the program's lamp,
// viewer, polarisers and mineral table at once; shown without blocking the main window.
void OuvreConoscopie(QWidget *parent, Reglages &reglages);

// Where each control of the main window sits and what it says. The rooms' own controls are built
// by their constructors, in marvaneform_layout.cpp.
#pragma once

class QMainWindow;

namespace marvane {

class BoardImage;

// Builds the client area of `window` and the board on it, not yet wired to any handler. The
// window owns them.
BoardImage* buildClientAndBoard(QMainWindow& window);

}  // namespace marvane

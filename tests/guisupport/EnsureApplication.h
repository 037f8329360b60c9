#pragma once
// Creates the one QApplication of a test program on first call (offscreen unless told otherwise).
class QApplication;

QApplication& EnsureApplication();

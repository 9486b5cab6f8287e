#pragma once

class Form;

// Makes a window that is larger than the primary screen fit on it, with scroll bars that
// reach the whole of its former outer size. Run once, when the window is created.
void FitToScreen(Form *form);

#pragma once

// Prepares the application object: style and font families the layouts expect.
void PrepareApplication();

// Creates the six windows in their order and shows the main window.
void CreateForms();
// Destroys them, last created first.
void DestroyForms();

// Whether a display can be opened; if not, says so on standard error.
bool DisplayAvailable();

#pragma once

// The program's windows. Each exists for the whole run (its variables keep their
// values); loading and unloading only build and destroy its controls.
class Form;
class SplashForm;
class VersionSelectForm;
class MainForm;
class AboutForm;

namespace Forms {

// Makes every window object, none loaded. Called once by the program, and by tests
// before each case (after DestroyAll).
void CreateAll();
void DestroyAll();

SplashForm &Splash();
VersionSelectForm &VersionSelect();
MainForm &Main();
AboutForm &About();

// The editor windows, where they exist (nullptr otherwise).
Form *BlockEdit();
Form *WarpEdit();
Form *EventEdit();
Form *WildEdit();

} // namespace Forms

#include "Forms.h"

#include "SplashForm.h"
#include "VersionSelectForm.h"
#include "mainwindow/AboutForm.h"
#include "mainwindow/MainForm.h"

#include <memory>

namespace {

struct AllForms
{
    std::unique_ptr<SplashForm> splash;
    std::unique_ptr<VersionSelectForm> versionSelect;
    std::unique_ptr<MainForm> main;
    std::unique_ptr<AboutForm> about;
};

AllForms &forms()
{
    static AllForms all;
    return all;
}

} // namespace

namespace Forms {

void CreateAll()
{
    DestroyAll();
    AllForms &all = forms();
    all.splash = std::make_unique<SplashForm>();
    all.versionSelect = std::make_unique<VersionSelectForm>();
    all.main = std::make_unique<MainForm>();
    all.about = std::make_unique<AboutForm>();
}

void DestroyAll()
{
    AllForms &all = forms();
    for (Form *f : {static_cast<Form *>(all.about.get()), static_cast<Form *>(all.main.get()),
                    static_cast<Form *>(all.versionSelect.get()), static_cast<Form *>(all.splash.get())})
        if (f)
            f->Destroy();
    all.about.reset();
    all.main.reset();
    all.versionSelect.reset();
    all.splash.reset();
}

SplashForm &Splash() { return *forms().splash; }
VersionSelectForm &VersionSelect() { return *forms().versionSelect; }
MainForm &Main() { return *forms().main; }
AboutForm &About() { return *forms().about; }

Form *BlockEdit() { return nullptr; }
Form *WarpEdit() { return nullptr; }
Form *EventEdit() { return nullptr; }
Form *WildEdit() { return nullptr; }

} // namespace Forms

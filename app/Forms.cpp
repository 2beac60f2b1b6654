#include "Forms.h"

#include "SplashForm.h"
#include "VersionSelectForm.h"
#include "mainwindow/AboutForm.h"
#include "mainwindow/MainForm.h"

#ifdef TOVRANE_WITH_WARPS
#include "warps/WarpEditForm.h"
#endif
#ifdef TOVRANE_WITH_EVENTS
#include "events/EventEditForm.h"
#endif
#ifdef TOVRANE_WITH_BLOCKS
#include "blocks/BlockEditForm.h"
#endif
#ifdef TOVRANE_WITH_WILD
#include "wild/WildEditForm.h"
#endif

#include <memory>

namespace {

struct AllForms
{
    std::unique_ptr<SplashForm> splash;
    std::unique_ptr<VersionSelectForm> versionSelect;
    std::unique_ptr<MainForm> main;
    std::unique_ptr<AboutForm> about;
    std::unique_ptr<Form> blockEdit;
    std::unique_ptr<Form> warpEdit;
    std::unique_ptr<Form> eventEdit;
    std::unique_ptr<Form> wildEdit;
};

AllForms &forms()
{
    // Never destroyed at process exit: Qt ends the process with exit() when the display
    // connection breaks, and widgets destroyed then crash. DestroyAll, called while the
    // application object lives, is the only way the windows go.
    static AllForms *all = new AllForms;
    return *all;
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
#ifdef TOVRANE_WITH_BLOCKS
    all.blockEdit = std::make_unique<BlockEditForm>();
#endif
#ifdef TOVRANE_WITH_WARPS
    all.warpEdit = std::make_unique<WarpEditForm>();
#endif
#ifdef TOVRANE_WITH_EVENTS
    all.eventEdit = std::make_unique<EventEditForm>();
#endif
#ifdef TOVRANE_WITH_WILD
    all.wildEdit = std::make_unique<WildEditForm>();
#endif
}

void DestroyAll()
{
    AllForms &all = forms();
    for (Form *f : {all.wildEdit.get(), all.eventEdit.get(), all.warpEdit.get(), all.blockEdit.get(),
                    static_cast<Form *>(all.about.get()), static_cast<Form *>(all.main.get()),
                    static_cast<Form *>(all.versionSelect.get()), static_cast<Form *>(all.splash.get())})
        if (f)
            f->Destroy();
    all.wildEdit.reset();
    all.eventEdit.reset();
    all.warpEdit.reset();
    all.blockEdit.reset();
    all.about.reset();
    all.main.reset();
    all.versionSelect.reset();
    all.splash.reset();
}

SplashForm &Splash() { return *forms().splash; }
VersionSelectForm &VersionSelect() { return *forms().versionSelect; }
MainForm &Main() { return *forms().main; }
AboutForm &About() { return *forms().about; }

Form *BlockEdit() { return forms().blockEdit.get(); }
Form *WarpEdit() { return forms().warpEdit.get(); }
Form *EventEdit() { return forms().eventEdit.get(); }
Form *WildEdit() { return forms().wildEdit.get(); }

} // namespace Forms

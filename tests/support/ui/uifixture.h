#pragma once

#include "app/programstate.h"
#include "pagelayout/ui/listpagesdialog.h"
#include "pagelayout/ui/objectfontdialog.h"
#include "support/recordingmessages.h"
#include "support/tempdir.h"
#include "widgets/filechooser.h"
#include "widgets/help.h"

// What one window test works in, on the offscreen application that the test
// main makes: a temporary program and start folder, messages recorded
// instead of shown, and a program state of its own that the test hands to
// the dialogs as the main window does. Make it in init() and drop it in
// cleanup(); dropping it also puts back the real file chooser, help opener,
// page designer and font chooser.
struct UiFixture {
    TestFolders folders;
    RecordingMessages messages;
    ProgramState state;

    ~UiFixture()
    {
        setFileChooser({});
        setHelpOpener({});
        setPageDesigner({});
        setObjectFontChooser({});
    }

    DialogContext context() { return state.dialogContext(); }

    // Answers every file dialog with path (empty: Cancel) and records what
    // it asked in fileRequests, as "title|extension|filter|initial path".
    void answerFilesWith(const QString& path)
    {
        setFileChooser([this, path](QWidget*, const FileDialogRequest& request) {
            fileRequests << request.title + u'|' + request.defaultExtension + u'|' + request.filter + u'|'
                                + request.initialPath;
            return path;
        });
    }
    QStringList fileRequests;
};

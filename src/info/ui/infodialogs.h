#pragma once

class QWidget;
struct DialogContext;

// Tip of the Day. Returns the state of "&Show Tips at Startup" when closed.
bool showTipOfTheDay(QWidget* parent, const DialogContext& context, bool showAtStartup);

// The user manual notice and the About box.
void showUserManualNotice(QWidget* parent, const DialogContext& context);
void showAboutBox(QWidget* parent, const DialogContext& context);

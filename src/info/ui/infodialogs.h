#pragma once

class QWidget;

// Tip of the Day. Returns the state of "&Show Tips at Startup" when closed.
bool showTipOfTheDay(QWidget* parent, bool showAtStartup);

// The user manual notice and the About box.
void showUserManualNotice(QWidget* parent);
void showAboutBox(QWidget* parent);

#pragma once

#include <QString>

#include <functional>

// The program's help is a set of HTML pages in the folder "help" of the
// program directory, opened in the desktop's browser.

// The page for a keyword ("PUZZLE CONNECTION" -> help/puzzle-connection.html);
// the contents page for an empty keyword or one without a page of its own.
QString helpPageFor(const QString& keyword);

// Opens the contents page, or the page of a keyword. A missing page, or a
// desktop opener that cannot start or finds no browser, is reported through
// the message service (the opener's failure once it has ended).
void openHelp(const QString& keyword = QString());

// Replaces the browser call (tests read which page would open).
void setHelpOpener(std::function<void(const QString& page)> opener);

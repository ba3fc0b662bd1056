#pragma once

#include <QString>
#include <QStringList>

// The tips shown by the Tip of the Day.
const QStringList& tipsOfTheDay();

// A tip chosen with the program's random generator.
int randomTipIndex();

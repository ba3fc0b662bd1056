#include "generate/generationobserver.h"

#include "base/messageservice.h"

void GenerationObserver::stoppedByFilter(const QString& explanation) { showNotice(explanation); }

QString creationAttemptLine(int attempt) { return QStringLiteral("Creation Attempt #%1").arg(attempt); }

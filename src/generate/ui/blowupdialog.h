#pragma once

#include "storage/puzzlerecord.h"

#include <QDialog>

#include <memory>

class CandidatePicture;
struct DialogContext;

// The enlarged view of one candidate: its own copy of the record drawn into
// a 411 x 411 picture (times the screen scale), closed with "E&xit" or
// Escape.
class TBlowItUp : public QDialog {
    Q_OBJECT
public:
    TBlowItUp(const PuzzleRecord& candidate, const QString& caption, const DialogContext& context,
              QWidget* parent = nullptr);

    CandidatePicture* picture() const { return m_picture; }

private:
    std::unique_ptr<PuzzleRecord> m_candidate;
    CandidatePicture* m_picture = nullptr;
};

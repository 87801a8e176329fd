#pragma once

#include "batch/CheckedBatch.h"
#include "batch/DayPrintout.h"
#include "common/Progress.h"

#include <functional>

class QWidget;

// The steps every checked batch window offers, with their questions, boxes
// and progress: the start of editing, the check, the application and the
// day's printout. The batch's words come from its BatchTexts.
namespace BatchSteps {

// A step of a batch on the farm's keys.
using Step = std::function<herd::BatchOutcome(const herd::FarmKeys&)>;

// The farm's keys; a farm missing from the registry is a fault of the step.
herd::FarmKeys farmKeys(const QString& farm);

// Step 0: a batch with rows is emptied when the user answers Yes to the
// kind's question; No keeps it for further editing.
void startEditing(herd::CheckedBatch& batch);
// Step 1: checks the batch of the farm; a fault is shown behind the kind's
// prefix. True when the check went through every row.
bool check(herd::CheckedBatch& batch, const QString& farm, const herd::Progress& progress);
// Step 2: applies a checked batch and offers to empty it. True when applied.
bool apply(herd::CheckedBatch& batch, const QString& farm, const herd::Progress& progress);
// The same steps for a batch with a life cycle of its own: the step's
// notices, or its fault behind the kind's prefix.
bool check(const herd::BatchTexts& texts, const QString& farm, const Step& step);
bool apply(const herd::BatchTexts& texts, const QString& farm, const Step& step,
           const std::function<void()>& clear);
// Step 3: asks for the day and shows the day's documents in the preview, or
// the printout's message when there are none; with several printouts (one per
// document kind) the day is asked once and each follows in turn.
void printDay(const herd::DayPrintout& printout, const QString& farm, QWidget* parent);
void printDay(const QList<herd::DayPrintout>& printouts, const QString& farm, QWidget* parent);

} // namespace BatchSteps

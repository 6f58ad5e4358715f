#pragma once
// A small pool of worker threads for the independent tasks of reading one workbook.

#include <cstddef>
#include <functional>

namespace rastfang::spreadsheet {

/// Runs `aufgabe(0)` … `aufgabe(nAufgaben - 1)` on at most `nHoechstens` threads (the calling
/// one among them), each task once. When a task throws, tasks not yet begun are skipped and
/// the exception of the lowest-numbered failed task is rethrown after every thread has ended.
void gParallel(size_t nAufgaben, size_t nHoechstens, const std::function<void(size_t)>& aufgabe);

/// The threads worth using for reading: the machine's cores, at most four.
size_t gnLeseThreads();

}  // namespace rastfang::spreadsheet

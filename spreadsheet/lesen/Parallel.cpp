#include "spreadsheet/lesen/Parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace rastfang::spreadsheet {

void gParallel(size_t nAufgaben, size_t nHoechstens, const std::function<void(size_t)>& aufgabe) {
    if (nAufgaben == 0) return;
    std::vector<std::exception_ptr> fehler(nAufgaben);
    std::atomic<size_t> naechste{0};
    std::atomic<bool> abbrechen{false};
    const auto arbeite = [&] {
        for (;;) {
            const size_t i = naechste.fetch_add(1);
            if (i >= nAufgaben || abbrechen.load()) return;
            try {
                aufgabe(i);
            } catch (...) {
                fehler[i] = std::current_exception();
                abbrechen.store(true);
            }
        }
    };
    {
        const size_t nHelfer = std::min(nAufgaben, std::max<size_t>(nHoechstens, 1)) - 1;
        std::vector<std::jthread> helfer;
        helfer.reserve(nHelfer);
        for (size_t i = 0; i < nHelfer; ++i) helfer.emplace_back(arbeite);
        arbeite();
    }  // the helpers are joined here
    for (const std::exception_ptr& p : fehler) {
        if (p) std::rethrow_exception(p);
    }
}

size_t gnLeseThreads() {
    return std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 4);
}

}  // namespace rastfang::spreadsheet

// SPDX-License-Identifier: GPL-3.0-or-later
// Any header file, read and posted over no year, one year or two: a refusal changes nothing of the work on
// screen, a posting changes one month of table 1 or 2, every total stays the exact sum of its months, and no working
// file stays behind.
#include "import/header_reader.h"
#include "tests/fuzz/fuzz_window.h"
#include "tests/support/header_builder.h"

using namespace sumafac;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzWindow window("header");
    HandlerContext& context = window.form1.context();
    window.form1.Command1_Click();
    // Kept from one input to the next, the messages would grow, and libFuzzer would look for a leak every time.
    window.dialogs.messages.clear();
    // The first byte chooses the years already on screen.
    const int years = size > 0 ? data[0] % 3 : 0;
    for (int year = 0; year < years; ++year) {
        testing::HeaderRecord month;
        month.year = year == 0 ? "2015" : "2016";
        window.files->write(context.pathIn("Cabecera.txt"), testing::headerRecord(month));
        LeerTxt(context);
    }
    const auto before = fuzzing::FuzzWindow::work(window.model);
    const std::size_t messages = window.dialogs.messages.size();

    const std::string bytes(reinterpret_cast<const char*>(data) + (size > 0), size - (size > 0));
    window.files->write(context.pathIn("Cabecera.txt"), bytes);
    LeerTxt(context);

    const auto after = fuzzing::FuzzWindow::work(window.model);
    fuzzing::check(window.files->list(window.folder).empty(), "a working file stayed behind");
    if (window.dialogs.messages.size() > messages) {
        fuzzing::check(after == before, "a refused header changed the work on screen");
    } else {
        fuzzing::check(!window.model.cuit().empty(), "a posting without a CUIT");
        window.checkTotals();
    }
    return 0;
}

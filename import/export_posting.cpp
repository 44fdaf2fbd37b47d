// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/export_posting.h"

#include "core/result_panel.h"
#include "import/posting.h"

#include <optional>

namespace sumafac {
namespace {

// Stands in for the dialogs while the months are tried: the first refusal is kept, to be shown only if it stands.
class RefusalRecorder final : public platform::Dialogs
{
  public:
    int MsgBox(const std::string& prompt, int style, const std::string&) override
    {
        if (!refusal) {
            refusal = prompt;
            refusalStyle = style;
        }
        return platform::vbOK;
    }
    std::string InputBox(const std::string&) override { return {}; }
    std::string ShowOpen(const platform::OpenFileRequest&) override { return {}; }
    std::string ShowSave(const platform::SaveFileRequest&) override { return {}; }

    std::optional<std::string> refusal;
    int refusalStyle = platform::vbCritical;
};

std::string twoDigits(int value)
{
    return std::string(value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

HeaderPeriod periodOfMonth(const MonthTotal& month, const std::string& cuit)
{
    HeaderPeriod period;
    period.typeCode = twoDigits(month.firstTypeCode);
    period.yearText = std::to_string(month.year);
    period.month = month.month;
    period.countField = std::to_string(month.count);
    period.cuit = cuit;
    period.amountText = amountText(month.amount);
    return period;
}

void postExportMonths(HandlerContext& context, const std::string& cuit, const VoucherMonths& months)
{
    // The months go into a copy of the window first; the window itself takes all of them or keeps its state.
    WindowModel trial(context.model);
    RefusalRecorder recorder;
    HandlerContext trialContext{
        trial, recorder, context.files, context.processes, context.zips, context.ProgramFolder, context.toolTimeLimit};
    for (const MonthTotal& month : months.oldestFirst()) {
        const HeaderPeriod period = periodOfMonth(month, cuit);
        // As the drop of the month's archive: a clean panel, then the type its first record names.
        clearResultPanel(trial);
        showInvoiceType(trial, period.typeCode);
        postPeriod(trialContext, period);
        if (recorder.refusal) {
            for (int line = 1; line <= PanelLineCount; ++line) {
                context.model.setPanelLine(line, trial.panelLine(line));
            }
            context.model.setPanelVisible(trial.panelVisible());
            context.dialogs.MsgBox(*recorder.refusal, recorder.refusalStyle);
            return;
        }
    }
    context.model.assign(trial);
}

} // namespace sumafac

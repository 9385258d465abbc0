#include "dialogs/CommonDialogFile.h"

#include "dialogs/PresetAnswers.h"

#include <QDir>
#include <QFileDialog>
#include <QPointer>

namespace {

struct HookState {
    PresetAnswers<QString> answers;
    OpenFileRequest lastRequest;
};

HookState& Hook()
{
    static HookState state;
    return state;
}

// "exe" matches "EXE" and "Exe" too wherever the file dialog compares case-sensitively.
QString CaseInsensitivePattern(const QString& pattern)
{
#ifdef Q_OS_WIN
    return pattern;
#else
    QString result;
    for (const QChar c : pattern) {
        const QChar lower = c.toLower();
        const QChar upper = c.toUpper();
        if (lower == upper)
            result += c;
        else
            result += QLatin1Char('[') + upper + lower + QLatin1Char(']');
    }
    return result;
#endif
}

} // namespace

QStringList OpenFileNameFilters(const QString& filter)
{
    // ":" separates as "|" does, as in the system dialog's own filter strings.
    QString separated = filter;
    separated.replace(QLatin1Char(':'), QLatin1Char('|'));
    const QStringList parts = separated.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            patterns.append(CaseInsensitivePattern(pattern.trimmed()));
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}

QFileDialog* CreateOpenFileDialog(const OpenFileRequest& request, QWidget* owner)
{
    auto* dialog = new QFileDialog(owner, request.Title, request.InitialFolder);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(request.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The bracketed patterns are for matching, not for reading: the list shows the descriptions.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setNameFilters(OpenFileNameFilters(request.Filter));
    dialog->setDefaultSuffix(request.DefaultExtension);
    return dialog;
}

bool ShowOpenFileDialog(QString& fileName, const OpenFileRequest& request, QWidget* owner)
{
    QString chosen;
    if (const std::optional<QString> next = Hook().answers.Take()) {
        Hook().lastRequest = request;
        chosen = *next;
    } else {
        // Guarded: the owner may close, and take the dialog with it, while it is open.
        QPointer<QFileDialog> dialog = CreateOpenFileDialog(request, owner);
        if (dialog->exec() == QDialog::Accepted && dialog && !dialog->selectedFiles().isEmpty())
            chosen = dialog->selectedFiles().constFirst();
        delete dialog;
    }
    fileName = QDir::toNativeSeparators(chosen);
    return !fileName.isEmpty();
}

namespace OpenFileDialogHook {
void SetNextAnswer(const QString& fileName) { Hook().answers.Queue(fileName); }
int PendingAnswers() { return Hook().answers.Pending(); }
void ClearNextAnswers() { Hook().answers.Clear(); }
OpenFileRequest LastRequest() { return Hook().lastRequest; }
} // namespace OpenFileDialogHook

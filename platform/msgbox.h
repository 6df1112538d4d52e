#pragma once

#include <QString>

class QWidget;

namespace orrindel {
class RuntimeError;
}

namespace orrindel::platform {

// Message box styles the program uses.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbCritical = 16,
};

// The runtime's message box, behind a seam so that tests can record it instead of
// waiting for a user.
class MsgBox
{
public:
    virtual ~MsgBox() = default;
    // Shows the text with the style's buttons and icon and the title, and the details, if
    // any, behind a "Show Details..." button; waits for the user.
    virtual void show(QWidget *parent, const QString &prompt, int style, const QString &title,
                      const QString &details = {}) = 0;
    // Asks a question with Yes and No, No the default and the answer to Esc; true for Yes.
    virtual bool confirm(QWidget *parent, const QString &prompt, const QString &title) = 0;
};

// The real modal message box.
class QtMsgBox final : public MsgBox
{
public:
    void show(QWidget *parent, const QString &prompt, int style, const QString &title,
              const QString &details = {}) override;
    bool confirm(QWidget *parent, const QString &prompt, const QString &title) override;
};

// Reports an error that no procedure trapped as the runtime does ("Run-time error '13':"
// and its message, under the application's title); the program carries on.
void reportUntrapped(MsgBox &msgBox, QWidget *parent, const RuntimeError &error);

} // namespace orrindel::platform

#pragma once

#include <QPushButton>

namespace orrindel::platform {

// A check box in the graphical style: a small toggle button that shows its caption and
// looks pressed while checked. Value is 0 unchecked, 1 checked; Click is raised whenever
// the value changes, by the user or by the program.
class GraphicalCheckBox : public QPushButton
{
    Q_OBJECT
public:
    explicit GraphicalCheckBox(const QString &caption, QWidget *parent = nullptr);

    int Value() const { return isChecked() ? 1 : 0; }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace orrindel::platform

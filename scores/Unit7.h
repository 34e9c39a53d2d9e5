// The top-ten window "Les meilleurs scores": ten rows of a name and its score text.
#pragma once

#include "FormDialog.h"

#include <array>

class QLabel;
class QPushButton;

class TMeilleurs : public FormDialog
{
    Q_OBJECT

public:
    static constexpr int Ranks = 10;

    explicit TMeilleurs(QWidget *parent = nullptr);

    // Fills the row of rank 1 to 10 (Label 2r-1 and Label 2r); any other rank changes nothing.
    void Init(const QString &name, const QString &score, int rank);

    void Button1Click();

protected:
    // Up and Down move from row to row.
    bool formKeyDown(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void showName(QLabel *label, const QString &name);
    void nameRow(int rank);

    QWidget *m_panel1 = nullptr;
    QPushButton *m_button1 = nullptr;
    std::array<QLabel *, 2 * Ranks> m_labels{};
};

// The top-ten window "Les meilleurs scores": ten rows of a name and its score text.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

class TMeilleurs : public QDialog
{
    Q_OBJECT

public:
    static constexpr int Ranks = 10;

    explicit TMeilleurs(QWidget *parent = nullptr);

    // Fills the row of rank 1 to 10 (Label 2r-1 and Label 2r); any other rank changes nothing.
    void Init(const QString &name, const QString &score, int rank);

    void Button1Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void showName(QLabel *label, const QString &name);

    QWidget *Panel1 = nullptr;
    QPushButton *Button1 = nullptr;
    std::array<QLabel *, 2 * Ranks> m_labels{};
};

// A picture drawn from its vector file at every paint, so it stays crisp at any screen density.
#pragma once

#include <QSvgRenderer>
#include <QWidget>
#include <memory>

class SvgPicture : public QWidget
{
    Q_OBJECT

public:
    // name is a picture of the resources, ":/pictures/<name>.svg"; it is drawn centred at pictureSize.
    SvgPicture(const QString &name, QSize pictureSize, QWidget *parent = nullptr);

    QString pictureName() const { return m_name; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
    QSize m_pictureSize;
    // Parsed at the first paint: most pages of the gallows are not shown at start-up.
    std::unique_ptr<QSvgRenderer> m_renderer;
};

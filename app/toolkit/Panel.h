// A panel as the windows declare it: an optional sunken border line, an outer and an
// inner bevel, and a background colour. Its children are placed inside the border.
#pragma once

#include <QWidget>

class Panel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool singleBorder MEMBER m_singleBorder)
    Q_PROPERTY(Bevel bevelOuter MEMBER m_bevelOuter)
    Q_PROPERTY(Bevel bevelInner MEMBER m_bevelInner)
    Q_PROPERTY(int bevelWidth MEMBER m_bevelWidth)

public:
    enum Bevel { None, Lowered, Raised };
    Q_ENUM(Bevel)

    explicit Panel(QWidget *parent = nullptr);

    // Width of the border line: the children's positions count from inside it.
    int borderWidth() const { return m_singleBorder ? 2 : 0; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_singleBorder = false;
    Bevel m_bevelOuter = Raised;
    Bevel m_bevelInner = None;
    int m_bevelWidth = 1;
};

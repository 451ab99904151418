#pragma once

#include <QIcon>
#include <QWidget>

namespace testola {

// Draws an icon scaled into its whole box, picking the icon's image that best fits the screen's pixel density.
class IconImage : public QWidget {
public:
    IconImage(const QIcon& icon, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon m_icon;
};

} // namespace testola

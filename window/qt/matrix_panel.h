#pragma once

#include <QPushButton>

namespace testola {

// The large disabled button that shows the matrix. Its caption keeps the CR LF breaks exactly as set; it is
// drawn as centred lines, the block of lines centred vertically, in the colours the window gives it.
class MatrixPanel : public QPushButton {
public:
    explicit MatrixPanel(QWidget* parent);

    // Sets the caption and offers the matrix to screen readers as well.
    void SetCaption(const QString& caption);

    // The caption as it is drawn: one line break for each CR LF.
    QString DisplayedText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace testola

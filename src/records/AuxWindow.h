#pragma once

#include "records/AuxWindowDesign.h"
#include "records/RecordsWindowContext.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace vesrin {

// The frame of every records window: a modal dialog that paints the secondary-window
// design (ground, header, red bar) and keeps its controls in a content area below the
// header. Each time the window is shown it resolves the design and sets every text
// from the word table in the current language, so nothing of an earlier language or
// design survives.
class AuxWindow : public QDialog {
    Q_OBJECT
public:
    AuxWindow(RecordsWindowContext& context, AuxPictureNames pictures, QWidget* parent);

    const AuxDesign& Design() const { return design_; }
    QWidget* Content() const { return content_; }

    // Showing resolves the design and sets the texts before the window is placed.
    void setVisible(bool visible) override;

protected:
    // Sets the caption, every text and the layout for the resolved design.
    virtual void SetTexts() = 0;
    // The word the built-in ribbons show (in capitals).
    virtual QString HeaderWord() const = 0;

    // The window gets contentWidth x contentHeight below the header.
    void SetContentSize(int contentWidth, int contentHeight);
    // The "Ok" button that closes the window, made by the window's constructor.
    QPushButton* MakeOkButton();
    // Places the Ok button across the window at top and ends the window under it.
    void PlaceOkButtonLast(QPushButton& ok, int contentWidth, int top);
    // Colours and font of a text label for the design.
    void StyleLabel(QLabel& label, int height, bool bold = false, const QColor& colour = QColor()) const;
    void StyleButton(QPushButton& button, int height = 30) const;
    QFont DecorFont(int height, bool bold = false) const;

    void paintEvent(QPaintEvent* event) override;

    RecordsWindowContext& context_;
    const Settings& settings() const { return context_.Values; }

private:
    AuxPictureNames pictures_;
    AuxDesign design_;
    QWidget* content_ = nullptr;
};

} // namespace vesrin

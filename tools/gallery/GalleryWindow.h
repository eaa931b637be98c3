#pragma once

#include <QWidget>

class OrnMenu;
class OrnPushButton;
class OrnSlider;

// One window with every widget of the kit in its usual states, for screenshots and review.
class GalleryWindow : public QWidget
{
    Q_OBJECT
public:
    explicit GalleryWindow(QWidget* parent = nullptr);

    // Opens the rate menu under its button, as a user would.
    void popUpMenu();
    // Presses the pointer-speed slider's handle so the value bubble shows.
    void pressSlider();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void addButtons();
    void addSliders();
    void addFields();

    OrnPushButton* m_pRateButton = nullptr;
    OrnMenu* m_pRateMenu = nullptr;
    OrnSlider* m_pPointerSlider = nullptr;
};

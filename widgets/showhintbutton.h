#pragma once

#include <QPushButton>

// A push button that can carry a red dot in its top right corner; the
// main window's About button shows it when a newer version exists.
class ShowHintButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ShowHintButton(QWidget *parent = nullptr);

    bool isShowingHint() const { return m_showHint; }
    void setShowHint(bool show);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_showHint = false;
    int m_radius = 5;
};

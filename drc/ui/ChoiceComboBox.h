// A combo box of a compression dialog's choice table: not editable, so a filled box always
// has an entry chosen. Closing its list (with or without a new choice) and choosing an
// entry with the keyboard are reported, so that the dialog can make the box's ratio the
// one in force.
#pragma once

#include <QComboBox>

#include <functional>

class CChoiceComboBox : public QComboBox
{
public:
    explicit CChoiceComboBox(QWidget* pParent = nullptr) : QComboBox(pParent)
    {
        setEditable(false);
        connect(this, &QComboBox::activated, this, [this] { CloseUp(); });
    }
    void hidePopup() override
    {
        QComboBox::hidePopup();
        CloseUp();
    }
    std::function<void()> m_OnCloseUp;

private:
    void CloseUp()
    {
        if (m_OnCloseUp)
            m_OnCloseUp();
    }
};

// A combo box of a compression dialog's choice table: not editable, so a filled box always
// has an entry chosen. Closing its list (with or without a new choice) and choosing an
// entry with the keyboard are reported, so that the dialog can make the box's ratio the
// one in force.
#pragma once

#include <QAbstractItemView>
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
    // Only a list that was open closes up: the box also hides its list when it is hidden
    // itself (with its dialog, or while the dialog is destroyed).
    void hidePopup() override
    {
        const bool bOpen = view() && view()->isVisible();
        QComboBox::hidePopup();
        if (bOpen)
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

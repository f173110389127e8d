// Which topic of the program's help explains a window. A window, dialog or page names its
// topic ("loudness"); help asked for from inside it (F1) opens at that topic. Windows that
// name none are explained by the window they lie in.
#pragma once

#include <string>

class QWidget;

void SetHelpTopic(QWidget* pWidget, const std::string& topic);
// The topic that the widget or the nearest of its parents names; empty when none does.
std::string FindHelpTopic(const QWidget* pWidget);
// A Help button's click: asks for help in the widget as F1 pressed there does, so the
// program's help opens at the widget's topic (nothing happens where no help is installed).
void AskForHelp(QWidget* pWidget);

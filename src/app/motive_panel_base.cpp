#include "app/motive_panel_base.h"

#include "app/base_service.h"

TMotivePanelBase::TMotivePanelBase(QWidget* parent, TBaseService& host)
    : QWidget(parent), host_(host), scheme_(host.scheme()) {}

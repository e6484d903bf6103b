#pragma once

#include "services/message_box.h"

namespace typovel::qt {

// ShowMessage's box as a QMessageBox: modal for the whole application, the
// buttons the style's low four bits ask for, and no owner unless one is given.
class QtMessageBox final : public MessageBoxPort {
public:
    int Show(std::string_view message, std::string_view caption, std::uint32_t style, const Control* owner) override;
};

}  // namespace typovel::qt

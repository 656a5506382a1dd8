#include "info/info_window.h"

namespace quorelin {

InfoWindow::InfoWindow() {
    setObjectName("Form2");
    setWindowTitle("Quorelin");
}

}  // namespace quorelin

/* A sample skin for Orrinvale: a Qt style sheet in UTF-8.
   To use it, copy it beside the program as x/o.cjs. */

QPushButton {
    color: #ffffff;
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #f7b55a, stop: 1 #d9731f);
    border: 1px solid #8a4210;
    border-radius: 8px;
    padding: 2px 8px;
}

QPushButton:hover {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #fac57a, stop: 1 #e6843a);
}

QPushButton:pressed {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #c8641a, stop: 1 #e69548);
}

QPushButton:focus {
    border: 2px solid #fff2d0;
}

QMessageBox {
    background: #fff7e8;
}

QMessageBox QLabel {
    color: #3a2a10;
}

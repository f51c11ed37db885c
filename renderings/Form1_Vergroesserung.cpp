// The main window's enlarged display of the task.
#include "trainer/Form1.h"

void Form1::Bezeichnung1_Click() {}
void Form1::Vergroessern(double punkte) { Q_UNUSED(punkte); }
void Form1::Bild4_Click() {}

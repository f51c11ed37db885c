// The main window's game launch.
#include "trainer/Form1.h"

void Form1::Bezeichnung24_Click() {}
void Form1::Bezeichnung25_Click() {}
void Form1::Bezeichnung26_Click() {}

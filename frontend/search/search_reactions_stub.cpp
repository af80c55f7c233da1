// Search reactions without bodies yet: each does nothing.
#include "form1.h"

void Form1::mOpen_Click() {}
void Form1::mChange_Click() {}
void Form1::OpenDictionary() {}
void Form1::DoSearch() {}
void Form1::LoadNLPage() {}
void Form1::RecordHistory() {}
void Form1::ApplyHistoryEnabling() {}
void Form1::Storia_Click() {}
void Form1::Storia_DblClick() {}
void Form1::CmdBack_Click() {}
void Form1::CmdForw_Click() {}
void Form1::Parola_KeyDown(int) {}
void Form1::Parola_KeyPress(int) {}
void Form1::CmdVai_Click() {}
void Form1::ListZ_DblClick() {}
void Form1::ListY_DblClick() {}
void Form1::Sbianca_Click() {}
void Form1::CmdPagN_Click() {}
void Form1::CmdPagP_Click() {}
void Form1::CmdClear_Click() {}

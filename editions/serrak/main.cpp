// Serrak, the Korean edition.
#include "editions/serrak/SerrakEdition.h"
#include "platform/ui/Application.h"
#include "shell/app/PhraseBookApp.h"

int main(int argc, char** argv)
{
    PhraseBookApp app(SerrakShellEdition());
    return RunApplication(argc, argv, app);
}

// Miravel, the Japanese edition.
#include "editions/miravel/MiravelEdition.h"
#include "platform/ui/Application.h"
#include "shell/app/PhraseBookApp.h"

int main(int argc, char** argv)
{
    PhraseBookApp app(MiravelShellEdition());
    return RunApplication(argc, argv, app);
}

#pragma once
// The Japanese edition's shell table and resources.

struct ShellEdition;

const ShellEdition& MiravelShellEdition();

#pragma once
// The Chinese edition's shell table and resources.

struct ShellEdition;

const ShellEdition& VeloraShellEdition();

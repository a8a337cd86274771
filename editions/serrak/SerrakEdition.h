#pragma once
// The Korean edition's shell table and resources.

struct ShellEdition;

const ShellEdition& SerrakShellEdition();

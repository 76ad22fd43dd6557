#pragma once

// Registers the select-folder dialog component for form descriptions.
void RegisterSelectDirectoryDialog();

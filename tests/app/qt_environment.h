// One Application for the whole test program, made before the first test.
#pragma once

class Application;

// The running test program's Application (created on first use).
Application& TestApplication();

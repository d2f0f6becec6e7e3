// The one Application of an app test program, made before its first test.
#pragma once

class Application;

// The running test program's Application.
Application& TestApplication();

// A linked GLSL program with its uniforms looked up by name once.
#pragma once

#include <epoxy/gl.h>

#include <string>

namespace engine {

class GlProgram {
 public:
  GlProgram() = default;
  ~GlProgram();
  GlProgram(const GlProgram&) = delete;
  GlProgram& operator=(const GlProgram&) = delete;

  // Compiles and links; on failure returns false and Error() holds the driver's log.
  bool Build(const char* vertexSource, const char* fragmentSource);
  const std::string& Error() const { return error_; }
  GLuint Id() const { return program_; }
  GLint Uniform(const char* name) const { return glGetUniformLocation(program_, name); }

 private:
  GLuint program_ = 0;
  std::string error_;
};

}  // namespace engine

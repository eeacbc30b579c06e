#include "backend/sdl/gl_program.h"

#include <vector>

namespace engine {

namespace {

std::string InfoLog(GLuint object, bool isProgram) {
  GLint length = 0;
  if (isProgram) {
    glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
  } else {
    glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
  }
  std::vector<char> log(static_cast<size_t>(length > 0 ? length : 1), '\0');
  if (isProgram) {
    glGetProgramInfoLog(object, length, nullptr, log.data());
  } else {
    glGetShaderInfoLog(object, length, nullptr, log.data());
  }
  return log.data();
}

GLuint Compile(GLenum kind, const char* source, std::string& error) {
  GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (ok != GL_TRUE) {
    error = (kind == GL_VERTEX_SHADER ? "vertex shader: " : "fragment shader: ") + InfoLog(shader, false);
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

}  // namespace

GlProgram::~GlProgram() {
  if (program_) glDeleteProgram(program_);
}

bool GlProgram::Build(const char* vertexSource, const char* fragmentSource) {
  GLuint vs = Compile(GL_VERTEX_SHADER, vertexSource, error_);
  if (!vs) return false;
  GLuint fs = Compile(GL_FRAGMENT_SHADER, fragmentSource, error_);
  if (!fs) {
    glDeleteShader(vs);
    return false;
  }
  program_ = glCreateProgram();
  glAttachShader(program_, vs);
  glAttachShader(program_, fs);
  glLinkProgram(program_);
  glDeleteShader(vs);
  glDeleteShader(fs);
  GLint ok = GL_FALSE;
  glGetProgramiv(program_, GL_LINK_STATUS, &ok);
  if (ok != GL_TRUE) {
    error_ = "link: " + InfoLog(program_, true);
    glDeleteProgram(program_);
    program_ = 0;
    return false;
  }
  return true;
}

}  // namespace engine

// Base of the edit-model sections that reach other records of the model.
#pragma once

class CEditModel;
class IModelHost;

class CModelPart {
 public:
  explicit CModelPart(CEditModel& model) : m_model(model) {}
  CModelPart(const CModelPart&) = delete;
  CModelPart& operator=(const CModelPart&) = delete;

 protected:
  CEditModel& Model() const { return m_model; }
  IModelHost& Host() const;

 private:
  CEditModel& m_model;
};

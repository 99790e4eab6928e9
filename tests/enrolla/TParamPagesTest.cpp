#include "TParamPages.h"
#include "WizardTestSupport.h"

#include <QPointer>

#include <gtest/gtest.h>

using namespace Enrolla;

namespace {

using P = PageClass;

TEST(TParamPagesTest, APageBelongsToOneListAtATime) {
  TParamPages first, second;
  auto* page = new ScriptedPage(P::TfmFFD);
  EXPECT_EQ(page->GetIndex(), -1);
  page->SetOwner(&first);
  EXPECT_EQ(first.Count(), 1);
  EXPECT_EQ(page->GetIndex(), 0);
  page->SetOwner(&second);
  EXPECT_EQ(first.Count(), 0);
  EXPECT_EQ(second.Items(0), page);
  EXPECT_EQ(page->Owner(), &second);
}

TEST(TParamPagesTest, TheListOwnsItsPagesAndAPageLeavesItWhenDestroyed) {
  QPointer<TParamPage> kept;
  {
    TParamPages pages;
    for (const PageClass pageClass : {P::TfmConnectDevice, P::TfmFFD, P::TfmINN})
      (new ScriptedPage(pageClass))->SetOwner(&pages);
    delete pages.Items(1);
    EXPECT_EQ(pages.Count(), 2);
    EXPECT_EQ(pages.IndexOfClass(P::TfmINN), 1);
    kept = pages.Items(0);
  }
  EXPECT_TRUE(kept.isNull());
}

TEST(TParamPagesTest, LookUpsFindTheFirstPageOfAClassAndNothingForOthers) {
  TParamPages pages;
  for (const PageClass pageClass : {P::TfmConnectDevice, P::TfmFFD, P::TfmFFD})
    (new ScriptedPage(pageClass))->SetOwner(&pages);
  EXPECT_EQ(pages.PageByClass(P::TfmFFD), pages.Items(1));
  EXPECT_EQ(pages.IndexOfClass(P::TfmFFD), 1);
  EXPECT_EQ(pages.PageByClass(P::TfmINN), nullptr);
  EXPECT_EQ(pages.IndexOfClass(P::TfmINN), -1);
  const ScriptedPage stranger(P::TfmFFD);
  EXPECT_EQ(pages.IndexOf(&stranger), -1);

  pages.CloseEvent();
  for (int index = 0; index < pages.Count(); ++index)
    EXPECT_EQ(static_cast<ScriptedPage*>(pages.Items(index))->closeCount, 1);
}

TEST(TControllerTest, ClearingTheRegistrationDataResetsItsTextsAndCodesOnly) {
  TController controller;
  TRegParams& params = controller.RegParams;
  for (QString* text :
       {&params.INN,       &params.RNM,           &params.User,          &params.Cashier,
        &params.Address,   &params.AutomatNumber, &params.TaxOfficeURL,  &params.SenderEmail,
        &params.PayPlace,  &params.OFDName,       &params.OFDUrl,        &params.OFDINN,
        &params.OFDServer, &params.CashierINN,    &params.X5FactoryCode, &params.FNSerial,
        &params.KKTSerial, &params.FiscalSign,    &params.VersionKKT,    &params.ServerKM})
    *text = QStringLiteral("значение");
  params.TaxSystem = params.Agent = params.WorkMode = params.WorkModeEx = 1;
  params.ReasonCode = params.FFD = 2;
  params.OFDPort = 7777;
  params.PortKM = 8888;
  params.ReasonCodesEx = 5;
  params.DocNumber = 3;
  params.FirstTime = params.NewFN = params.OFDEnabled = params.GameSign = true;

  controller.ClearRegParams();

  for (const QString* text :
       {&params.INN, &params.RNM, &params.User, &params.Cashier, &params.Address,
        &params.AutomatNumber, &params.TaxOfficeURL, &params.SenderEmail, &params.PayPlace,
        &params.OFDName, &params.OFDUrl, &params.OFDINN, &params.OFDServer, &params.CashierINN})
    EXPECT_TRUE(text->isEmpty());
  for (const std::uint8_t bits :
       {params.TaxSystem, params.Agent, params.WorkMode, params.WorkModeEx})
    EXPECT_EQ(bits, 255);
  EXPECT_EQ(params.ReasonCode, 255);
  EXPECT_EQ(params.FFD, 255);
  EXPECT_EQ(params.OFDPort, 0);

  for (const QString* text : {&params.X5FactoryCode, &params.FNSerial, &params.KKTSerial,
                              &params.FiscalSign, &params.VersionKKT, &params.ServerKM})
    EXPECT_EQ(*text, QStringLiteral("значение"));
  EXPECT_EQ(params.PortKM, 8888);
  EXPECT_EQ(params.ReasonCodesEx, 5u);
  EXPECT_EQ(params.DocNumber, 3);
  EXPECT_TRUE(params.FirstTime && params.NewFN && params.OFDEnabled && params.GameSign);
}

}  // namespace
